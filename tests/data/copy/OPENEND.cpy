           MOVE C TO D.
           COPY NESTB REPLACING ==X
