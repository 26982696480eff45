       IDENTIFICATION DIVISION.
       PROGRAM-ID. EXPRS.
       PROCEDURE DIVISION.
           COMPUTE R = X + Y * Z.
           COMPUTE R = X * Y + Z.
           COMPUTE R = X / Y / Z.
           COMPUTE R = - X + Y.
           COMPUTE R = 2 ** 3 ** 2.
           COMPUTE R = (X + Y) + Z.
           COMPUTE R = X + Y - Z.
           COMPUTE R = - X ** 2.
