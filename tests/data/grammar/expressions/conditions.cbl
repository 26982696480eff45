       IDENTIFICATION DIVISION.
       PROGRAM-ID. CONDS.
       ENVIRONMENT DIVISION.
       SPECIAL-NAMES.
           CLASS HEXA IS "0" THRU "9" "A" THRU "F".
       PROCEDURE DIVISION.
           IF X > Y AND Z > W OR V CONTINUE.
           IF X IS NOT GREATER THAN OR EQUAL TO Y CONTINUE.
           IF X > OR = Y CONTINUE.
           IF X IS NOT NUMERIC CONTINUE.
           IF X IS NOT POSITIVE CONTINUE.
           IF X IS NOT HEXA CONTINUE.
           IF X HEXA CONTINUE.
           IF X > Y AND < Z CONTINUE.
           IF X EXCEEDS Y CONTINUE.
           IF X UNEQUAL TO Y CONTINUE.
           IF X = 1 OR 2 OR = 3 CONTINUE.
           IF X = (Y OR Z) CONTINUE.
           IF (X) CONTINUE.
           IF (X = 1) AND (Y) CONTINUE.
           IF NOT X = Y CONTINUE.
           IF X NOT = Y CONTINUE.
           IF X = 1 AND NOT = 2 CONTINUE.
           IF X = 1 AND IS NOT < 2 CONTINUE.
           IF X <> Y AND X >= Y AND X <= Y CONTINUE.
           IF X EQUALS Y AND X IS ZERO CONTINUE.
