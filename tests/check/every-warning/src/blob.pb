binarydata
