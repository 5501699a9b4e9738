/****h* Core
****
/****f* Core/Begin
****
/****f* X/Core/Deep
****
/****h* Empty
****
/****H* Lower
****
