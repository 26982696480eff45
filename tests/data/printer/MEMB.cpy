       01 X PIC 9.
