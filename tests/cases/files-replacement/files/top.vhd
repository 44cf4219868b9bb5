the previous top file
