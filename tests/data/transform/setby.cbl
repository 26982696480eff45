       IDENTIFICATION DIVISION.
       PROGRAM-ID. SETBY.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 TBL.
          02 ELT PIC 9 OCCURS 9 INDEXED BY I J.
       01 N PIC 9 VALUE 2.
       PROCEDURE DIVISION.
           SET I J TO 1.
           SET I UP BY 1.
           SET I J DOWN BY N.
           IF N = 2
               SET J UP BY N
           END-IF.
           STOP RUN.
