           COPY PINGA.
           STOP RUN.
