       IDENTIFICATION DIVISION.
       PROGRAM-ID. SETS.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 A PIC 99.
       01 B PIC 99.
       01 F PIC 9.
           88 FLAG-ON VALUE 1.
       01 P USAGE POINTER.
       01 TBL.
           05 T OCCURS 10 INDEXED BY I J.
               10 K PIC X.
               10 KN PIC 9.
       PROCEDURE DIVISION.
       P1.
           SET A B TO TRUE.
           SET I TO 1 J TO I FLAG-ON TO FALSE.
           SET I J UP BY 2.
           SET I DOWN BY A.
           SET ADDRESS OF TBL TO P.
           SET P TO ADDRESS OF TBL.
           SET P TO ENTRY "PROG".
           SET F TO ON.
           SET F TO OFF.
           INITIALIZE A TBL.
           INITIALIZE TBL REPLACING ALPHANUMERIC DATA BY SPACES
               NUMERIC BY ZERO.
           ALTER P1 TO P2.
           ALTER P1 TO PROCEED TO P2 P2 TO P1.
       P2.
           EXIT.
