       IDENTIFICATION DIVISION.
       PROGRAM-ID. SEARCHES.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 TBL.
           05 T OCCURS 10 ASCENDING KEY IS K INDEXED BY I.
               10 K PIC 99.
       01 V PIC 99.
       01 J PIC 99.
       01 A PIC 99.
       01 B PIC 99.
       01 F PIC 9.
           88 FLAG-ON VALUE 1.
       PROCEDURE DIVISION.
           SEARCH ALL T AT END MOVE 0 TO V
               WHEN K (I) = V MOVE 1 TO V END-SEARCH.
           SEARCH T VARYING J AT END CONTINUE
               WHEN K (I) = 1 NEXT SENTENCE
               WHEN K (I) = 2
               WHEN K (I) > 3 AND V = 4 MOVE 2 TO V.
           EVALUATE A ALSO TRUE
               WHEN 1 THRU 5 ALSO FLAG-ON
               WHEN ANY ALSO A > B
                   MOVE 1 TO V
               WHEN 7 ALSO NOT FLAG-ON
                   CONTINUE
               WHEN OTHER
                   MOVE 2 TO V
           END-EVALUATE.
           EVALUATE TRUE
               WHEN A = 1
                   SEARCH T WHEN K (I) = 1 CONTINUE
                       WHEN K (I) = 2 CONTINUE END-SEARCH
               WHEN OTHER
                   CONTINUE.
           EVALUATE TRUE
               WHEN A = 1
                   SEARCH T WHEN K (I) = 1 CONTINUE
               WHEN A = 2 CONTINUE
           END-EVALUATE.
           EVALUATE A + 1 ALSO FALSE
               WHEN B - 1 THRU B + 1 ALSO FALSE
                   EVALUATE B WHEN 1 CONTINUE WHEN 2 CONTINUE
                   END-EVALUATE
               WHEN 3 ALSO TRUE CONTINUE.
