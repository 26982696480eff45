000100 IDENTIFICATION DIVISION.                                         SPNAM001
000200 PROGRAM-ID.    SPNAM.                                            SPNAM001
000300 ENVIRONMENT DIVISION.                                            SPNAM001
000400 CONFIGURATION SECTION.                                           SPNAM001
000500 SPECIAL-NAMES.                                        COPY SNMEM SPNAM001
000600              REPLACING DUMMY-ON BY SW-ON.                        SPNAM001
000700 DATA DIVISION.                                                   SPNAM001
000800 WORKING-STORAGE SECTION.                                         SPNAM001
000900 01  A      PIC X(10).                                            SPNAM001
001000 PROCEDURE DIVISION.                                              SPNAM001
001100 MAIN-PARA.                                                       SPNAM001
001200     IF SW-ON DISPLAY A.                                          SPNAM001
001300     STOP RUN.                                                    SPNAM001
