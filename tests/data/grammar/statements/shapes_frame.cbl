       IDENTIFICATION DIVISION.
       PROGRAM-ID. SHAPES.
       ENVIRONMENT DIVISION.
       CONFIGURATION SECTION.
       SPECIAL-NAMES.
           CONSOLE IS PRN
           ALPHABET ALPHA IS NATIVE.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT F1 ASSIGN TO "F1".
           SELECT F2 ASSIGN TO "F2".
           SELECT F3 ASSIGN TO "F3".
           SELECT SF ASSIGN TO "SF".
           SELECT RPT-FILE ASSIGN TO "RPT".
       DATA DIVISION.
       FILE SECTION.
       FD F1.
       01 R-1 PIC X(10).
       FD F2.
       01 R-2 PIC X(10).
       FD F3.
       01 R-3 PIC X(10).
       SD SF.
       01 SR.
          02 K1 PIC X.
          02 K2 PIC X.
       FD RPT-FILE REPORT IS R1 R2.
       WORKING-STORAGE SECTION.
       01 A PIC X(10).
       01 H PIC S9(9) COMP.
       01 X PIC X(10).
       01 Y PIC X(10).
       01 D PIC 9(8).
       01 N PIC 9(4).
       01 M PIC 9(4).
       01 W PIC X(21).
       01 L PIC 99.
       01 K PIC 99.
       01 G.
          02 T PIC X OCCURS 9.
       01 R PIC S9(8) COMP.
       01 P USAGE POINTER.
       COMMUNICATION SECTION.
       CD CI FOR INPUT.
       01 CI-AREA PIC X(87).
       CD CO FOR OUTPUT.
       01 CO-AREA PIC X(23).
       REPORT SECTION.
       RD R1.
       01 TYPE DETAIL.
       RD R2.
       01 TYPE DETAIL.
       PROCEDURE DIVISION.
      *> STATEMENTS
