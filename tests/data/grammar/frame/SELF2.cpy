           SELECT F2 ASSIGN TO "F2".
