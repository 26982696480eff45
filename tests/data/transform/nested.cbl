       IDENTIFICATION DIVISION.
       PROGRAM-ID. NESTED.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 X PIC 9.
       PROCEDURE DIVISION.
      * a comment between the header and the first statement
           IF X = 1
               DISPLAY "A"
           END-IF.
           STOP RUN.
