       ID DIVISION.
       PROGRAM-ID. "LIT-NAME" IS INITIAL COMMON PROGRAM.
      * A comment before the next program.
       PROCEDURE DIVISION.
           EXIT PROGRAM.
       END PROGRAM "LIT-NAME".
       IDENTIFICATION DIVISION.
       PROGRAM-ID MOVE.
       PROCEDURE DIVISION.
           STOP RUN.
      * The end of the file.
