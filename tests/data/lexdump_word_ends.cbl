       IDENTIFICATION DIVISION.
       PROGRAM-ID. WORDENDS.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01  A PIC X(5).
       01  B PIC S9(3)V99,9.
       01  C PIC X.
       01  D PIC 9(3)V9(2).
       01  E PIC X(5) VALUE SPACE.
       01  F PIC 9(3)
      -    .99.
       01  G PIC X(2)EXEC(3). 01 H PIC S9(4)V9 COMP.
       01  I PIC IS 9(2).
       PROCEDURE DIVISION.
           MOVE A(1) TO B(2).
           MOVE 1 TO FOO.
      -    5
           MOVE AB
      -    CD TO E.
           MOVE X
      -    "41" TO Y.
           MOVE G
      * a comment line after a word at the end of a line
           TO H;I , J.
           DISPLAY"HI"K.
           IF K=L OR M NOT= N
               DISPLAY A-VERY-LONG-DATA-NAME-OF-MORE-THAN-THIRTY-CHARS.
      X    ADD P TO Q.
           MOVE R TO S. MOVE T TO U
           .
           COPY WENDMEM.
           STOP RUN.