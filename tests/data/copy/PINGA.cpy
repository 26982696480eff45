           COPY PINGB.
