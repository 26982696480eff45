           COPY PINGA.
