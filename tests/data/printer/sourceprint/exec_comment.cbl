000100 IDENTIFICATION DIVISION.                                         EXECCMNT
000200 PROGRAM-ID. EXECCMNT.                                            EXECCMNT
000300 DATA DIVISION.                                                   EXECCMNT
000400 WORKING-STORAGE SECTION.                                         EXECCMNT
000500 01 X PIC X.                                                      EXECCMNT
000600 PROCEDURE DIVISION.                                              EXECCMNT
000700 P1.                                                              EXECCMNT
000800     EXEC DLI GU X                                                EXECCMNT
000900*    A COMMENT LINE INSIDE THE BLOCK                              EXECCMNT
001000          WHERE Y = 1                                             EXECCMNT
001100     END-EXEC.                                                    EXECCMNT
001200     STOP RUN.                                                    EXECCMNT
