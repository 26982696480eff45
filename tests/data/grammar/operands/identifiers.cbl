       IDENTIFICATION DIVISION.
       PROGRAM-ID. OPERANDS.
       PROCEDURE DIVISION.
           MOVE A (1) TO B (I + 1, J) C (2 : 3) D (2 :).
           MOVE A (1) (2 : 3) TO X OF Y IN Z.
           MOVE ZEROES TO E (ALL K - 2).
           MOVE "AB" & "CD" & QUOTE TO F.
           MOVE ALL SPACES TO G.
           MOVE FUNCTION CURRENT-DATE TO H.
           MOVE A (1 : FUNCTION LENGTH (B)) TO C.
           MOVE ADDRESS OF A TO P.
           MOVE LENGTH OF A TO N.
           COMPUTE X = FUNCTION MAX (A (1 + 2) B (3)).
           COMPUTE X = FUNCTION RANDOM * 10 + FUNCTION RANDOM (5).
           COMPUTE X = FUNCTION MAX (1 FUNCTION RANDOM).
           COMPUTE X = FUNCTION MAX (A - 1) + FUNCTION MIN (-1 B).
