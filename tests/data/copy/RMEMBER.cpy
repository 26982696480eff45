           MOVE OLD TO Z.
