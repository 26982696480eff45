      * SAMPLE: a small program for a first run of larkstat.  Its
      * customer record comes from the member CUSTREC beside it.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. SAMPLE.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY CUSTREC.
       01  TOTALS.
           05  TOTAL-COUNT        PIC 9(5)       COMP-3 VALUE 0.
           05  TOTAL-AMOUNT       PIC S9(9)V99   COMP-3 VALUE 0.
       01  MONTH-TABLE.
           05  MONTH-ENTRY        OCCURS 12 TIMES.
               10  MONTH-NAME     PIC X(9).
               10  MONTH-SALES    PIC S9(7)V99   COMP-3.
       01  RUN-DATE               PIC 9(8).
       01  RUN-DATE-PARTS REDEFINES RUN-DATE.
           05  RUN-YEAR           PIC 9(4).
           05  RUN-MONTH          PIC 99.
           05  RUN-DAY            PIC 99.
       01  IX                     PIC 99.
       PROCEDURE DIVISION.
       MAIN-S SECTION.
       P1.
           MOVE 20240115 TO RUN-DATE.
           PERFORM P2 VARYING IX FROM 1 BY 1 UNTIL IX > 12.
           GO TO P3.
       P2.
           ADD MONTH-SALES (IX) TO TOTAL-AMOUNT.
           ADD 1 TO TOTAL-COUNT.
       P3.
           MOVE CUST-NAME TO MONTH-NAME (RUN-MONTH).
           STOP RUN.
