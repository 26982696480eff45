       IDENTIFICATION DIVISION.
       PROGRAM-ID. DECL.
       PROCEDURE DIVISION CHAINING A.
       DECLARATIVES.
      * comment in the declaratives
       D1 SECTION.
       D1-P.
           CONTINUE.
       END DECLARATIVES.
       MAIN SECTION.
           STOP RUN.
