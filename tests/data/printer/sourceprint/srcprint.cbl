000100 IDENTIFICATION DIVISION.                                         SRCPRT01
000200 PROGRAM-ID.    SRCPRT.                                           SRCPRT01
000300 DATA DIVISION.                                                   SRCPRT01
000400 WORKING-STORAGE SECTION.                                         SRCPRT01
000500 01  A      PIC X(10)   VALUE  'ALPHA'.                           SRCPRT01
000600 01  B      PIC X(10).                                            SRCPRT01
000700 01  C      PIC X(10).
000750 01  N      PIC 9(4)    VALUE 12.                                 SRCPRT01
000800 01  LONG-TEXT  PIC X(80)  VALUE 'THIS LITERAL IS CONTINUED ON TH SRCPRT01
000900-    'E NEXT LINE OF THE SOURCE'.                                 SRCPRT01
001000 COPY MEMB.                                                       SRCPRT01
001100 PROCEDURE DIVISION.                                              SRCPRT01
001200 MAIN-PARA.
001300     MOVE   A   TO   B.                                           SRCPRT01
001400     ADD  1  TO  N
001500*    A COMMENT LINE BETWEEN THE CLAUSES                           SRCPRT01
001600         ON SIZE ERROR   DISPLAY  A.                              SRCPRT01
001650*    THE LAST STATEMENT FOLLOWS                                   SRCPRT01
001700     STOP RUN.                                                    SRCPRT01
