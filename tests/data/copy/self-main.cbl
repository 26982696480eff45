           COPY SELF.
           STOP RUN.
