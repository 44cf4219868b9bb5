written before
