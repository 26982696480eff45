       SPECIAL-NAMES.
           CONSOLE IS CRT.
