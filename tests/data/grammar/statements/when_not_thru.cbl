       IDENTIFICATION DIVISION.
       PROGRAM-ID. WHENNOT.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 X PIC 99.
       01 C PIC X.
       PROCEDURE DIVISION.
           EVALUATE X ALSO C
               WHEN NOT 1 THRU 5 ALSO NOT "A" THROUGH "N"
                   DISPLAY "OUT"
               WHEN NOT 7 ALSO "B"
                   CONTINUE
           END-EVALUATE.
           STOP RUN.
