       IDENTIFICATION DIVISION.
       PROGRAM-ID. MOVECMT.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 A PIC X.
       01 B PIC X.
       PROCEDURE DIVISION.
       P1.
           MOVE A
      * KEEP THIS
           TO B.
           STOP RUN.
