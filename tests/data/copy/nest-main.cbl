      * A member copied with REPLACING copies another member, which
      * runs under the same phrases.
           COPY NESTA REPLACING ==X== BY ==Y==.
           MOVE X TO V.
