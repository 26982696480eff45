000100 IDENTIFICATION DIVISION.                                         SPLITKEY
000200 PROGRAM-ID. SPLITKEY.                                            SPLITKEY
000300 ENVIRONMENT DIVISION.                                            SPLITKEY
000400 INPUT-OUTPUT SECTION.                                            SPLITKEY
000500 FILE-CONTROL.                                                    SPLITKEY
000600     SELECT SK ASSIGN TO "sk" ORGANIZATION INDEXED                SPLITKEY
000700         RECORD KEY IS K1                                         SPLITKEY
000800         ALTERNATE KEY AK = K1  ALSO   K2 K3                      SPLITKEY
000900         ALTERNATE KEY AL = K2 ALSO                               SPLITKEY
001000                            K3 K1.                                SPLITKEY
001100 DATA DIVISION.                                                   SPLITKEY
001200 FILE SECTION.                                                    SPLITKEY
001300 FD SK.                                                           SPLITKEY
001400 01 SKR.                                                          SPLITKEY
001500     05 K1 PIC X.                                                 SPLITKEY
001600     05 K2 PIC X.                                                 SPLITKEY
001700     05 K3 PIC X.                                                 SPLITKEY
001800 PROCEDURE DIVISION.                                              SPLITKEY
001900 P1. STOP RUN.                                                    SPLITKEY
