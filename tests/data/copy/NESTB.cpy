           MOVE X TO W.
