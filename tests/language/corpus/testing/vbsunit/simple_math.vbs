' Problem: a should be equals to b and different of c

a = 2
b = 2
c = 2

assert_equal a, b, "a should be equals to b."
assert_not_equal a, c, "a should be different of c."