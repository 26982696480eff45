           COPY OPENEND.
           STOP RUN.
