       IDENTIFICATION DIVISION.
       PROGRAM-ID. STRUCT.
       PROCEDURE DIVISION USING BY VALUE X Y BY REFERENCE Z.
       DECLARATIVES.
       END DECLARATIVES.
           MOVE 1 TO X.
       .
       100.
           GO TO 100.
       S1 SECTION 40.
       P1.
           PERFORM P1 THRU P2.
       P2.
           PERFORM P2.
           EXIT.
