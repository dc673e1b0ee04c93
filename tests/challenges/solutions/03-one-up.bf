One up
Read n then raise it by one and write the result
,
+
.
