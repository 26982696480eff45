      * A REPLACE stays in force across a COPY, found or missing.
       REPLACE ==OLD== BY ==NEW==.
           COPY RMEMBER.
           MOVE OLD TO X.
           COPY NOSUCH.
           MOVE OLD TO Y.
