       IDENTIFICATION DIVISION.
       PROGRAM-ID. GOTOS.
       PROCEDURE DIVISION.
       P1.
           GO TO P1 P2.
           GO P1 P2 DEPENDING ON X.
           GO TO.
       P2.
           GO P1.
