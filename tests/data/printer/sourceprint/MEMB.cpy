000100 01  M-REC.                                                       MEMB0001
000200     05  M-KEY     PIC 9(4).                                      MEMB0001
000300*    THE REST OF THE RECORD
000400     05  M-REST    PIC X(20).                                     MEMB0001
