       IDENTIFICATION DIVISION.
       PROGRAM-ID. PHRASES.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT F ASSIGN TO "f".
           SELECT P ASSIGN TO "p".
       DATA DIVISION.
       FILE SECTION.
       FD F.
       01 R PIC X(4).
       FD P.
       01 PR PIC X(80).
       WORKING-STORAGE SECTION.
       01 A PIC X(4).
       01 B PIC X(4).
       01 N PIC 9.
       PROCEDURE DIVISION.
           @STATEMENT@.
