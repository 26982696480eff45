000100     SWITCH-1                                                     SNMEM001
000200     IS DUMMY-SW-1                                                SNMEM001
000300     ON STATUS IS DUMMY-ON                                        SNMEM001
000400     OFF STATUS IS DUMMY-OFF.                                     SNMEM001
