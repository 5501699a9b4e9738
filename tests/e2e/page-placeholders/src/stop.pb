/****f* A/G/Stop
* NAME
*@@TAG@@ @@TAG-LOWER@@ @@NAME@@ @@SECTION@@ @@R@@
* SECRET
*hidden
* OTHER
*v
****
