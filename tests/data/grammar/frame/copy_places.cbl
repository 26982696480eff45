       IDENTIFICATION DIVISION.
       PROGRAM-ID. PLACES.
       REPLACE OFF.
       ENVIRONMENT DIVISION.
       COPY CFG.
       SOURCE-COMPUTER.
       COPY CNAME.
       OBJECT-COMPUTER.
       COPY CNAME.
       COPY SN.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT F1 ASSIGN TO "F1".
           SELECT F2 ASSIGN TO "F2".
       I-O-CONTROL.
       COPY IOC.
       DATA DIVISION.
       FILE SECTION.
       FD F1.
       01 R1 PIC X(10).
       FD F2.
       01 R2 PIC X(10).
       WORKING-STORAGE SECTION.
       01 A PIC 9.
       PROCEDURE DIVISION.
           IF A =
           COPY SEVEN.
               DISPLAY "Y"
           END-IF.
           STOP RUN.
