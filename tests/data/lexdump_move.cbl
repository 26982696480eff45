       MOVE A TO B.
      * hi
           STOP RUN.
