000100 IDENTIFICATION DIVISION.                                         SRCDSP01
000200 PROGRAM-ID.    SRCDSP.                                           SRCDSP01
000300 ENVIRONMENT DIVISION.                                            SRCDSP01
000400 CONFIGURATION SECTION.                                           SRCDSP01
000500 SPECIAL-NAMES.                                                   SRCDSP01
000600     SYSOUT IS PRN.                                               SRCDSP01
000700 DATA DIVISION.                                                   SRCDSP01
000800 WORKING-STORAGE SECTION.                                         SRCDSP01
000900 01  X      PIC X.                                                SRCDSP01
001000 PROCEDURE DIVISION.                                              SRCDSP01
001100 P1.                                                              SRCDSP01
001200     DISPLAY X UPON PRN WITH NO ADVANCING.                        SRCDSP01
001300     DISPLAY X UPON PRN  NO  ADVANCING.                           SRCDSP01
001400     DISPLAY X   WITH NO ADVANCING.                               SRCDSP01
001500     DISPLAY X UPON PRN WITH NO ADVANCING                         SRCDSP01
001600         X.                                                       SRCDSP01
001700     STOP RUN.                                                    SRCDSP01
