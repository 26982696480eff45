       IDENTIFICATION DIVISION.
       PROGRAM-ID. NOTEEXEC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 X PIC X.
           EXEC DLI SCHD PSB(P1)
           END-EXEC.
       PROCEDURE DIVISION.
       P1.
           NOTE THIS PARAGRAPH SHOWS
             A NOTE OVER TWO LINES.
           EXEC DLI GU X
      * A COMMENT INSIDE THE BLOCK
                WHERE Y = 1
           END-EXEC.
           ENTER.
           STOP RUN.
