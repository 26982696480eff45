      * CUSTREC: the customer record of the sample program.
       01  CUSTOMER-RECORD.
           05  CUST-ID            PIC 9(6).
           05  CUST-NAME          PIC X(30).
           05  CUST-BALANCE       PIC S9(7)V99   COMP-3.
