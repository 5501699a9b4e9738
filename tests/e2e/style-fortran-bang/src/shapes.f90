!!****h* Geometry/shapes
!! NAME
!!   shapes
!! FUNCTION
!!   Areas of plane shapes.
!!***
module shapes
  implicit none
contains

  !!****f* shapes/area
  !! NAME
  !!   area
  !! FUNCTION
  !!   The area of a circle; see perimeter.
  !! SOURCE
function area(r) result(a)
  real, intent(in) :: r
  real :: a
  a = 3.14159 * r * r
end function area
  !!***

  !!****f* shapes/perimeter
  !! NAME
  !!   perimeter
  !! SOURCE
  function perimeter(r) result(p)
    real, intent(in) :: r
    real :: p
    p = 2.0 * 3.14159 * r
  end function perimeter
  !!***
end module shapes
