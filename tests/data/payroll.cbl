       IDENTIFICATION DIVISION.
       PROGRAM-ID. PAYROLL.
       PROCEDURE DIVISION.
       MAIN-S SECTION.
       P1.
           CALL "DATEUTIL".
       P2.
           CALL "DATEUTIL".
       P3.
           STOP RUN.
