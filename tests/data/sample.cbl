       IDENTIFICATION DIVISION.
       PROGRAM-ID. SAMPLE.
       PROCEDURE DIVISION.
       MAIN-S SECTION.
       P1.
           PERFORM P2.
           GO TO P3.
       P2.
           CONTINUE.
       P3.
           STOP RUN.
