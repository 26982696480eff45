       IDENTIFICATION DIVISION.
       PROGRAM-ID. REGEN.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT F ASSIGN TO "F.DAT"
               ORGANIZATION IS INDEXED
               ACCESS MODE IS DYNAMIC
               RECORD KEY IS K.
       DATA DIVISION.
       FILE SECTION.
       FD F.
       01 R.
          02 K PIC X(4).
          02 V PIC X(4).
       WORKING-STORAGE SECTION.
       01 X PIC X(8).
       01 N PIC 9(4).
       PROCEDURE DIVISION.
           MOVE SPACE TO X.
           READ F KEY IS K.
           COMPUTE N = FUNCTION LENGTH (X).
           MOVE   X   TO   V.
           START F KEY IS = K.
           STOP RUN.
