       DATA DIVISION.
       PROCEDURE DIVISION.
       P.
           STOP RUN.
