       IDENTIFICATION DIVISION.
       PROGRAM-ID. BADSQL.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 X PIC 9.
       01 Y PIC 9.
           EXEC SQL DECLARE C1 CURSOR FOR FOR END-EXEC.
       01 Z PIC 9.
       PROCEDURE DIVISION.
       P1.
           IF X = 1
             EXEC SQL INSERT INTO T (A) VALUES (B C) END-EXEC
             MOVE 1 TO Y
           ELSE
             MOVE 2 TO Y
           END-IF
           MOVE 3 TO X
           EXEC SQL SELECT A INTO :Y FROM T WHERE (A) = = 1 END-EXEC
           MOVE 4 TO Z.
           STOP RUN.
