           MOVE X TO Z.
           COPY NESTB.
           MOVE X TO Z.
