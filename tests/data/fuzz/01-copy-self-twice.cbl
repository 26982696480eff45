       IDENTIFICATION DIVISION.
       PROGRAM-ID. T.
       PROCEDURE DIVISION.
           COPY A.
           STOP RUN.
*>MEMBER A
           COPY A.
           COPY A.
