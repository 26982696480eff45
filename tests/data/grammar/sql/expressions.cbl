       IDENTIFICATION DIVISION.
       PROGRAM-ID. SQLEXPR.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 A.
          02 B PIC X(10).
       01 I PIC S9(4) COMP.
       PROCEDURE DIVISION.
           EXEC SQL SELECT 1 + 2 - 3 + 4, 1 + 2 + 3, -A * +2 / 4,
                A || B, C||D, (A), RAND(), RAND(1), STR(A), STR(A, 1),
                STR(A, 1, 2), CONVERT(INT, A), CONVERT(CHAR(2), A, 3),
                CONVERT(A, B, C), CAST(A AS DECIMAL(7, 2)),
                CASE WHEN 1 THEN 2 WHEN 3 THEN 4 ELSE 5 END,
                SUBSTRING(A FROM 1 FOR 2), SUBSTRING(A, 1, 2),
                TRIM(LEADING ' ' FROM A), POSITION('X' IN A),
                UPPER(A), LOWER(A), DAY(A), MONTH(A), YEAR(A),
                LEFT(A, 1), RIGHT(A, 2), DATEPART(A, B),
                DATEADD(A, 1, B), DATEDIFF(A, B, C),
                REPLACE(A, 'X', 'Y'), BIT_LENGTH(A),
                OCTET_LENGTH(A), CHAR_LENGTH(A), CHARACTER_LENGTH(A),
                USER, SESSION_USER, SYSTEM_USER, CURRENT_TIME,
                CURRENT TIMESTAMP, CURRENT_TIMESTAMP, 1.5, NULL,
                COUNT(DISTINCT A), AVG(ALL A), MAX(A), MIN(A), SUM(A)
                INTO :A.B, :A.B :I, :B INDICATOR :I FROM T
                WHERE X ¬= 1 AND X <> 1 OR X ¬< 1 AND X ¬> 1
                OR X >= 1 OR X <= 1 OR X < 1 OR X > 1
                OR NOT (NOT A = B) OR (A, B) = (1, 2)
                OR A BETWEEN 1 AND 2 OR A NOT BETWEEN 1 AND 2
                OR A IN (1, 2) OR A NOT IN (3) OR A LIKE 'X%'
                OR A NOT LIKE 'Y' OR A IS NULL
                OR (A) = (SELECT B FROM T)
                OR (A = 1) END-EXEC.
           STOP RUN.
