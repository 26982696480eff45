           X.
