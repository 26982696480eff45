           MOVE A TO B.
           COPY NESTB REPLACING ==A
