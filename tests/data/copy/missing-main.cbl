           MOVE A TO B.
           COPY NOSUCH.
           STOP RUN.
