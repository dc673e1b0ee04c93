Good for nothing
The first cell starts at zero so we simply write it out once
.
