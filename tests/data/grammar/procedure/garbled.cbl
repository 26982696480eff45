       IDENTIFICATION DIVISION.
       PROGRAM-ID. GARBLE.
       PROCEDURE DIVISION.
       P1.
           MOVE A TO ) B.
           PERFORM P2.
       P2.
           MOVE FUNCTION 12 TO X.
           PERFORM P3 2 TIMES.
           GO TO P2.
       P3.
           PERFORM P2 IF A = 1 CONTINUE ) MOVE.
           STOP RUN.
