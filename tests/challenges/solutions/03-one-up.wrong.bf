WRONG on purpose off by one as it raises n by two instead of by one
Read n then raise it twice and write the result
,
++
.
