       IDENTIFICATION DIVISION.
       PROGRAM-ID. ERRORS.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 X PIC X(8).
       01 Y PIC 9.
       01 R PIC S9(8) COMP.
       PROCEDURE DIVISION.
       P1.
           IF Y = 1
             EXEC CICS READ FILE('F') INTO(X Y) RESP(R) END-EXEC
             MOVE 1 TO Y
           ELSE
             MOVE 2 TO Y
           END-IF
           MOVE 3 TO Y
           EXEC CICS ASSIGN APPLID(X)) END-EXEC
           MOVE 4 TO Y
           EXEC CICS LINK PROGRAM('P' END-EXEC
           MOVE 5 TO Y
           EXEC CICS ABEND MAP('M') ABCODE('A') END-EXEC
           MOVE 6 TO Y
           STOP RUN.
